.pragma library

// Steps of the host's unattended tour through a plugin: every entry its drawer offers right now,
// each sub-entry as a step of its own. Both plugins' navigation models share these roles.
const TextRole = 257
const PageRole = 258

function rows(model) {
    const out = []
    if (!model || typeof model.rowCount !== "function")
        return out
    const count = model.rowCount()
    for (let row = 0; row < count; ++row) {
        const index = model.index(row, 0)
        out.push({ text: String(model.data(index, TextRole)), page: Number(model.data(index, PageRole)) })
    }
    return out
}

// models: the drawer's lists, in order. skipGroups: entries that start actions rather than show a
// page (connection, disconnect, back). isSubHidden(page): sub-entries the drawer hides.
function steps(models, skipGroups, isSubHidden) {
    const out = []
    for (const model of models) {
        for (const step of modelSteps(model, skipGroups, isSubHidden))
            out.push(step)
    }
    return out
}

function modelSteps(model, skipGroups, isSubHidden) {
    const out = []
    for (const entry of rows(model)) {
        if (skipGroups.indexOf(entry.page) >= 0)
            continue
        const subs = rows(model.relatedChildrenModels(entry.page)).filter(sub => !isSubHidden(sub.page))
        if (subs.length === 0)
            out.push({ name: entry.text, group: entry.page, page: -1 })
        for (const sub of subs)
            out.push({ name: entry.text + " - " + sub.text, group: entry.page, page: sub.page })
    }
    return out
}

// Extra pages that no menu lists but that can be opened from a page: (name, group, sub-page or -1).
function extra(name, group, page) {
    return { name: name, group: group, page: page === undefined ? -1 : page }
}

function show(pageManager, step) {
    pageManager.pageIndex = step.group
    if (step.page >= 0)
        pageManager.setIndexByGroup(step.group, step.page)
}

function names(list) {
    return list.map(step => step.name)
}
