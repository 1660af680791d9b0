#pragma once
// Moving the selected lines of a list one place up or down, as the
// track-list window's arrow buttons do. A selected line changes place with
// an unselected neighbour; selected neighbours keep their order, so a block
// of selected lines moves as a whole and a block at the end it moves
// towards stays where it is.

#include <QList>

// For each place after the move, the place its line had before. selected
// holds one flag per line.
QList<int> MoveSelectedUp(const QList<bool> &selected);
QList<int> MoveSelectedDown(const QList<bool> &selected);
