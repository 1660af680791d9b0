#pragma once
// Start-up of the language: the module the program uses for the whole run.

// Opens the language module (or stays with English), puts it in use for
// every window's texts, and lets its character set choose the code page of
// record strings. A module that cannot be used is reported in an error box,
// at most once per run. Call it once, after the application's names are set
// (they name the per-user data folder) and before the first window is made.
void StartLanguage();
