#pragma once
// Every message the program shows goes through here, so that tests can read
// the exact text and answer it; nothing ever waits for a person in a test.

#include <QFont>
#include <QMessageBox>
#include <QString>

#include <functional>

namespace MessageBox {

enum class Kind { Information, Warning, Error, Question };

struct Request
{
    Kind kind = Kind::Information;
    QString text;
    QString title;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

using Handler = std::function<QMessageBox::StandardButton(const Request &)>;

// Replaces the real boxes (tests); an empty handler restores them.
void setHandler(Handler handler);
Handler currentHandler();

QMessageBox::StandardButton show(const Request &request);

// The font the boxes show their text and buttons in, set when the screen's
// scale is known, so that a box reads as large as the screens beside it; its
// icon grows with it. Until then the boxes take the system's font.
void setTextFont(const QFont &font);
QFont textFont();

// A plain message with an OK button.
void showMessage(const QString &text);
void information(const QString &text);
void warning(const QString &text);
void error(const QString &text);

// A question with "Ja" and "Nej"; true for "Ja".
bool askYesNo(const QString &text, const QString &title = QString());

} // namespace MessageBox
