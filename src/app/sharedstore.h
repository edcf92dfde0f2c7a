#pragma once

#include <QString>

class CommandLine;
class QTextStream;

// The command line's side of the shared base: which store a run opens, the copies between a data
// directory and a server (--copy-to-server, --copy-from-server), and --backup/--restore on the
// server store.
namespace SharedStore {

// The server of --server, else the saved one unless --data-dir is given, else `baseDirectory`.
QString location(const CommandLine &line, const QString &baseDirectory);
// Exit status: 0 copied, 2 refused (no base, destination not empty), 1 failed.
int runCopy(const CommandLine &line, const QString &baseDirectory, QTextStream &errors);
// --backup or --restore with the server store at `server`; the same statuses as the directory's.
int runArchive(const CommandLine &line, const QString &server, QTextStream &errors);

} // namespace SharedStore
