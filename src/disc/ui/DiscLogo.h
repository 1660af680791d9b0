#pragma once
// The disc picture shown in the CDDB windows.

#include <QPixmap>

QPixmap DiscLogo(int size);
