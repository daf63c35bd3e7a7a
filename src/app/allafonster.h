#pragma once
// The windows of every part of the program, made known to the parts that
// open them by name or through a hook.

// Registers every window that the program has and fills the main window's
// and the register's hooks: called once at start.
void registreraAllaFonster();
