#pragma once
// Test programs that run once per screen size: "--screen WxH" among the
// arguments asks for an offscreen screen of that size, with no window frames
// (1024x768 when it is not given); the program scales itself once, from the
// screen it starts on.

#include <QList>
#include <QSize>
#include <QTemporaryDir>

// Takes "--screen WxH" out of the arguments, writes the screen's description
// into dir and points the offscreen platform at it. Returns the other
// arguments for Qt Test and sets screen to the size asked for; false when the
// description cannot be written.
bool offscreenScreenFromArguments(int argc, char **argv, QSize &screen, QTemporaryDir &dir, QList<char *> &rest);
