// A child process for the phrase file tests: saves or loads in a separate
// process, so a test can run it as another user, inside a small file system,
// under a file size limit, or kill it in the middle of a save.
//
//   phrasefile_probe save PATH N        save N records "phrase i" with count i
//   phrasefile_probe fsize PATH N LIMIT  the same under RLIMIT_FSIZE = LIMIT bytes
//   phrasefile_probe loadsave PATH       load, append one record, save
//   phrasefile_probe loop PATH N         save two alternating lists forever
//
// Exit status: 0 when every save succeeded, 1 when one failed, 2 on misuse.

#include "phrasefile.h"

#include <QCoreApplication>
#include <QStringList>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

QVector<PhraseEntry> numberedList(int n, const QString &prefix, int factor)
{
    QVector<PhraseEntry> entries;
    entries.reserve(n);
    for (int i = 0; i < n; ++i)
        entries.append(PhraseEntry{prefix + QString::number(i), i * factor});
    return entries;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString command = args.at(1);
    PhraseFile file(args.at(2));

    if (command == QLatin1String("save") && args.size() == 4)
        return file.save(numberedList(args.at(3).toInt(), QStringLiteral("phrase "), 1)) ? 0 : 1;

    if (command == QLatin1String("fsize") && args.size() == 5) {
        // A write past the limit then fails with EFBIG instead of killing us.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = args.at(4).toULong();
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 2;
        return file.save(numberedList(args.at(3).toInt(), QStringLiteral("phrase "), 1)) ? 0 : 1;
    }

    if (command == QLatin1String("loadsave")) {
        PhraseFileContents contents = file.load();
        std::printf("records=%d\n", int(contents.entries.size()));
        std::fflush(stdout);
        contents.entries.append(PhraseEntry{QStringLiteral("added"), 0});
        return file.save(contents.entries) ? 0 : 1;
    }

    if (command == QLatin1String("loop") && args.size() == 4) {
        const int n = args.at(3).toInt();
        const QVector<PhraseEntry> lists[2] = {numberedList(n, QStringLiteral("alpha "), 1),
                                               numberedList(n, QStringLiteral("beta "), 2)};
        for (unsigned round = 0;; ++round) {
            if (!file.save(lists[round % 2]))
                return 1;
            if (round == 0) {
                std::printf("saving\n");
                std::fflush(stdout);
            }
        }
    }
    return 2;
}
