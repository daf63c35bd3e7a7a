#pragma once
// Reads back a printed PDF with poppler's pdftotext, so that tests can check
// what landed on which page and where.

#include <QList>
#include <QString>
#include <QStringList>

struct PdfWord
{
    int page = 0; // 1..
    QString text;
    double xMm = 0; // left edge, from the paper's left
    double yMm = 0; // top edge, from the paper's top
    double bottomMm = 0; // bottom edge, from the paper's top
};

// True when pdftotext can be run.
bool havePdfTools();

// The text of every page, laid out as on paper (pdftotext -layout); each
// page's lines with the right-hand blanks removed.
QList<QStringList> pdfPageLines(const QString &file);

// Every word with its page and position (pdftotext -bbox).
QList<PdfWord> pdfWords(const QString &file);
