#pragma once
// The grammar and spelling rule pages: HTML files "R" + five digits + ".htm"
// in REGLER, one per exercise group, chosen by program number.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QDialog;
class QPushButton;
class QTextBrowser;
class QWidget;

// The page of a program number; empty when the number has none.
QString regelSidaFor(quint16 programtal);

// The file of a page: the CD copy when there is one, else the installation's.
// Empty when neither exists; meddelande then holds what the user is told.
// An empty page name is never found: the user is told there is no page.
QString hittaRegelSida(const QString &sida, QString *meddelande = nullptr);

// An HTML page decoded by the character set it declares (Windows-1252 for
// "windows-1252", "iso-8859-1" and their aliases, or UTF-8); without a
// declaration UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString avkodaHtml(const QByteArray &bytes);

// Shows the page file in the browser, its pictures and links relative to the
// file's directory. False when the file cannot be read (the browser is then
// empty).
bool visaHtmlFil(QTextBrowser *browser, const QString &path);

// Chooses the page for programtal, shows it in the browser or tells the user
// it is missing. Returns the page name chosen (empty for a number without a page).
QString laddaRegelSida(QTextBrowser *browser, quint16 programtal);

// The "Tillbaka" button of a rule-page window, in Arial bold 13 px, closing
// the window.
QPushButton *tillbakaKnapp(QWidget *panel, QDialog *fonster);
