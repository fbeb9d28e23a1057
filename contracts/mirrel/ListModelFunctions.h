#pragma once

#include <QList>
#include <QtGlobal>

// One navigation entry: a static German source text (translated when shown) and a page index.
template<typename PageIndex>
struct ListModelItem
{
    const char *text = nullptr;
    PageIndex pageIndex{};

    bool operator==(const ListModelItem &other) const
    {
        return pageIndex == other.pageIndex && qstrcmp(text, other.text) == 0;
    }
};

// Show/hide logic of a navigation list model. The full list never changes; the visible list is
// always a subsequence of it in full-list order. The model implements insertItem/removeItem
// with its begin/end row notifications around the change of m_visibleList.
template<typename PageIndex>
class ListModelFunctions
{
public:
    using Item = ListModelItem<PageIndex>;

    virtual ~ListModelFunctions() = default;
    virtual void insertItem(int row, const Item &item) = 0;
    virtual void removeItem(int row) = 0;

    void show(PageIndex page)
    {
        if (visibleRow(page) >= 0)
            return;
        int fullIndex = -1;
        for (int i = 0; i < m_fullList.size(); ++i) {
            if (m_fullList.at(i).pageIndex == page) {
                fullIndex = i;
                break;
            }
        }
        if (fullIndex < 0)
            return;
        int row = 0;
        for (int i = fullIndex - 1; i >= 0; --i) {
            const int visible = int(m_visibleList.indexOf(m_fullList.at(i)));
            if (visible >= 0) {
                row = visible + 1;
                break;
            }
        }
        insertItem(row, m_fullList.at(fullIndex));
    }

    void hide(PageIndex page)
    {
        const int row = visibleRow(page);
        if (row >= 0)
            removeItem(row);
    }

protected:
    ListModelFunctions() = default;
    explicit ListModelFunctions(const QList<Item> &items)
        : m_fullList(items)
        , m_visibleList(items)
    {
    }

    int visibleRow(PageIndex page) const
    {
        for (int i = 0; i < m_visibleList.size(); ++i) {
            if (m_visibleList.at(i).pageIndex == page)
                return i;
        }
        return -1;
    }

    QList<Item> m_fullList;
    QList<Item> m_visibleList;
};
