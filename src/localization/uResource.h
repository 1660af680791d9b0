#pragma once
// The numbered UI strings: the program's own English table, or a language
// module ("TarvikLan.dll") beside the program holding the same ids.

#include <QString>

class TLanguageModule;

// Text of `id`: from the module when one is given, otherwise from the English
// table. An id the module lacks gives an empty text; a module's texts are cut
// to 255 characters.
QString LoadLanguageString(const TLanguageModule *module, int id);

// Shorthand for the English table or the module in use.
QString Str(int id);
