#pragma once
// The CDDB disc identifier and the query text sent after "cddb query ".

#include "DiscTypes.h"

#include <QString>

// Sum of the decimal digits of n (0 for 0).
int CddbSum(int n);

// 8 lowercase hexadecimal digits, or empty when the table holds no disc.
QString ComputeDiscID(const TCDToc &toc);

// "<id> <tracks> <offset>... <seconds>": frame offsets of every track and
// the disc length in seconds.
QString BuildDiscIdQuery(const TCDToc &toc, const QString &discId);
