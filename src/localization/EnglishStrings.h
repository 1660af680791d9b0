#pragma once
#include <QList>
#include <QString>
// The program's own English string table: id -> text, empty for unknown ids.
// It is the reference every language module is made from.
QString EnglishString(int id);
// Every id of the table, in ascending order.
QList<int> EnglishStringIds();
