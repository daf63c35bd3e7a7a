#pragma once
// The sounds of the exercises: WAV files under LJUD, in a sub-directory of
// the exercise's own chosen by its program number.

#include <QString>

// LjudFilPrefix := the sound sub-directory of Programtal; none (LJUD itself)
// for a program without one of its own.
void GeLjudDirectory();

// Plays FilNamn from LJUD\LjudFilPrefix, under PCPath else CDPath (letter
// case ignored). The pronunciation duel (programs 31100..31400) waits for the
// sound's end; everything else returns at once while the sound plays on.
// A missing file gives "Ljudfilen <path>  finns inte eller är felaktig.",
// a player error its own message; the exercise goes on after either. A
// damaged file plays what it holds and is reported once in a run (until it
// changes on the disk).
void SpelaUppWavLjud(const QString &FilNamn);

// Stops the sound that SpelaUppWavLjud started, if it still plays.
void stoppaLjud();
