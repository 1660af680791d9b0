#pragma once
// The commands of tarvik-disc. Each writes its result to out and its errors
// to err and returns the process exit status.

#include <QStringList>

class QTextStream;

namespace DiscTool {

enum ExitStatus { Ok = 0, Failed = 1, Usage = 2 };

int Run(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace DiscTool
