#pragma once

// The manual as a PDF book: a title page, a table of contents with page numbers, then the
// chapters, each starting on a new page, with the page number in every page's footer (A4).

#include <QString>

namespace tervane::manual {

struct TManualSource;

struct TBookTitle {
    QString title;    // "TERVANE 2015"
    QString subtitle; // "User's Manual"
    QString version;  // "Version 2015.5.3"
};

// Writes the book; false with a reason in error when the file cannot be written.
bool WritePdfBook(const TManualSource& manual, const TBookTitle& title, const QString& path,
                  QString* error);

// Number of pages of a PDF file as its page objects count them (0 when it cannot be read).
int PdfPageCount(const QString& path);

} // namespace tervane::manual
