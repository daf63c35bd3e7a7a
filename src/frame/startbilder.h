#pragma once
// Placing the start pictures of the main window: where a picture goes in its
// slot, and how large its caption may be.

#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <future>
#include <thread>

// The largest rectangle with the picture's proportions that fits in ruta,
// against its right edge (pictures left of the menu) or its left edge
// (pictures right of the menu), at its top. Empty for an empty picture.
QRect startbildPlats(QSize bild, const QRect &ruta, bool motHogerKant);

// One start picture: the room it may take and the edge it stands against;
// once read, the picture at its shown size and where it goes
// (startbildPlats). Null when its file is missing or unreadable.
struct Startbild
{
    QRect ruta;
    bool motHogerKant = false;
    QImage bild;
    QRect plats;
};

// Reads the start pictures on a thread of its own while the main window is
// being made: the files first, each once, decoded as far as they can be
// before their rooms are known; then, once placera has told the rooms, each
// picture scaled to its place. The window takes them when they are ready.
class StartbildLasare
{
public:
    // Starts reading the picture files (BildFilNamn paths below a root; an
    // empty name: no picture).
    explicit StartbildLasare(QStringList filer);
    ~StartbildLasare();
    StartbildLasare(const StartbildLasare &) = delete;
    StartbildLasare &operator=(const StartbildLasare &) = delete;

    const QStringList &filer() const { return m_filer; }

    // The rooms of the pictures, one for each file, in order; told once.
    // narKlar is called (on the reading thread) when the pictures are ready.
    void placera(QList<Startbild> bilder, std::function<void()> narKlar = {});
    bool placerad() const { return m_placerad; }

    // True once every picture is read and placed.
    bool klar() const { return m_klar; }

    // The pictures, once all of them are read and placed (waits for them).
    QList<Startbild> &bilder();

private:
    void las();

    QStringList m_filer;
    QList<Startbild> m_bilder;
    std::promise<QList<Startbild>> m_rum;
    std::future<QList<Startbild>> m_rumLast; // the reading end of m_rum
    std::function<void()> m_narKlar;
    bool m_placerad = false;
    bool m_last = false;                  // las() has run
    std::atomic<bool> m_klar{false};
    std::atomic<bool> m_avbryt{false};    // the window no longer wants them
    std::thread m_trad;
};

// The pixel size, at most designPixlar and at least golv, at which every line
// in font is at most bredd wide. Worked out from designPixlar each time,
// so a caption never depends on the one shown before it.
int bildtextStorlek(const QStringList &rader, QFont font, int designPixlar, int golv, int bredd);
