#pragma once

class QSaveFile;

// Ends a write through a temporary file: the file replaces the old one only when everything was
// written (written true) and reached the disk; otherwise the temporary file is dropped and the
// old file stays. commit() alone does not see a failing final flush (a full disk).
bool finishSaveFile(QSaveFile &file, bool written);
