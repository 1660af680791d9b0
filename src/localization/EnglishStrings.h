#pragma once
#include <QString>
// The program's own English string table: id -> text, empty for unknown ids.
QString EnglishString(int id);
