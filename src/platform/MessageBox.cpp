#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QPixmap>
#include <QStyle>

#include <optional>
#include <utility>

namespace {

MessageBox::Handler &handler()
{
    static MessageBox::Handler h;
    return h;
}

// Empty until the screen's font is set.
std::optional<QFont> &egenFont()
{
    static std::optional<QFont> f;
    return f;
}

QStyle::StandardPixmap ikonFor(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Warning: return QStyle::SP_MessageBoxWarning;
    case QMessageBox::Critical: return QStyle::SP_MessageBoxCritical;
    case QMessageBox::Question: return QStyle::SP_MessageBoxQuestion;
    default: return QStyle::SP_MessageBoxInformation;
    }
}

} // namespace

namespace MessageBox {

void setHandler(Handler h)
{
    handler() = std::move(h);
}

Handler currentHandler()
{
    return handler();
}

void setTextFont(const QFont &font)
{
    egenFont() = font;
}

QFont textFont()
{
    return egenFont().value_or(QApplication::font("QMessageBox"));
}

QMessageBox::StandardButton show(const Request &r)
{
    if (handler())
        return handler()(r);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (r.kind) {
    case Kind::Information: icon = QMessageBox::Information; break;
    case Kind::Warning: icon = QMessageBox::Warning; break;
    case Kind::Error: icon = QMessageBox::Critical; break;
    case Kind::Question: icon = QMessageBox::Question; break;
    }
    QMessageBox box(icon, r.title.isEmpty() ? QStringLiteral("Varmiko") : r.title, r.text, r.buttons,
                    QApplication::activeWindow());
    // The boxes speak Swedish whatever translations the system carries (Qt's
    // own texts for these buttons are missing from some distributions).
    const std::pair<QMessageBox::StandardButton, const char *> svenska[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Yes, "&Ja"}, {QMessageBox::No, "&Nej"}, {QMessageBox::Cancel, "Avbryt"}};
    for (const auto &[knapp, text] : svenska)
        if (QAbstractButton *b = box.button(knapp))
            b->setText(QString::fromUtf8(text));
    if (r.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(r.defaultButton);
    if (egenFont()) {
        box.setFont(*egenFont());
        if (icon != QMessageBox::NoIcon) {
            const int sida = 2 * QFontMetrics(*egenFont()).height();
            // The style may hold the picture only at its own small size.
            const QPixmap bild = box.style()->standardIcon(ikonFor(icon), nullptr, &box).pixmap(sida, sida);
            box.setIconPixmap(bild.height() >= sida
                                  ? bild
                                  : bild.scaled(sida, sida, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void showMessage(const QString &text)
{
    show({Kind::Information, text, {}, QMessageBox::Ok, QMessageBox::Ok});
}

void information(const QString &text)
{
    show({Kind::Information, text, {}, QMessageBox::Ok, QMessageBox::Ok});
}

void warning(const QString &text)
{
    show({Kind::Warning, text, {}, QMessageBox::Ok, QMessageBox::Ok});
}

void error(const QString &text)
{
    show({Kind::Error, text, {}, QMessageBox::Ok, QMessageBox::Ok});
}

bool askYesNo(const QString &text, const QString &title)
{
    return show({Kind::Question, text, title, QMessageBox::Yes | QMessageBox::No, QMessageBox::No})
           == QMessageBox::Yes;
}

} // namespace MessageBox
