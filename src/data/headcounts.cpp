#include "data/headcounts.h"

#include "data/query.h"

#include <QHash>

#include <algorithm>
#include <tuple>

namespace HeadCounts {

namespace {

struct ProjectKey
{
    QString employer;
    QString project;
    bool operator==(const ProjectKey &other) const = default;
};

size_t qHash(const ProjectKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.employer, key.project);
}

void narrow(Query &q, const QString &employerColumn, const QString &employer, const QString &project)
{
    if (employer.isNull())
        return;
    q.addLine(QStringLiteral("where %1 = :employer and Projet = :project").arg(employerColumn));
    q.bindValue(QStringLiteral(":employer"), employer);
    q.bindValue(QStringLiteral(":project"), project);
}

bool readPosts(Database &database, const QString &employer, const QString &project, QList<PostCount> *posts,
    QHash<ProjectKey, QHash<QString, qsizetype>> *index, QString *error)
{
    Query q(&database);
    q.addLine(QStringLiteral("select * from accord"));
    narrow(q, QStringLiteral("nom_orga"), employer, project);
    q.addLine(QStringLiteral("order by nom_orga, Projet, Num"));
    if (!q.open()) {
        *error = q.lastError();
        return false;
    }
    for (; !q.atEnd(); q.next()) {
        const QString post = q.text(QStringLiteral("poste")).trimmed();
        const ProjectKey key { q.text(QStringLiteral("nom_orga")), q.text(QStringLiteral("Projet")) };
        const int algerians = q.value(QStringLiteral("Algériens")).toInt();
        const int foreigners = q.value(QStringLiteral("étrangers")).toInt();
        // The same post written twice in one agreement is one post: its forecasts add up.
        QHash<QString, qsizetype> &projectPosts = (*index)[key];
        const auto found = projectPosts.constFind(postKey(post));
        if (found != projectPosts.constEnd()) {
            (*posts)[*found].algerians += algerians;
            (*posts)[*found].foreigners += foreigners;
            continue;
        }
        projectPosts.insert(postKey(post), posts->size());
        posts->append({ key.employer, key.project, post, algerians, foreigners, 0 });
    }
    return true;
}

bool countWorkers(Database &database, const QString &employer, const QString &project, HeadCountSheet *sheet,
    const QHash<ProjectKey, QHash<QString, qsizetype>> &index, QString *error)
{
    Query q(&database);
    q.addLine(QStringLiteral("select Num_Ordre, Nom, Prenom, Nom_orga, Projet, Poste_occupe from expatries"));
    narrow(q, QStringLiteral("Nom_orga"), employer, project);
    if (!q.open()) {
        *error = q.lastError();
        return false;
    }
    for (; !q.atEnd(); q.next()) {
        const ProjectKey key { q.text(QStringLiteral("Nom_orga")), q.text(QStringLiteral("Projet")) };
        const QString post = q.text(QStringLiteral("Poste_occupe"));
        const auto projectPosts = index.constFind(key);
        if (projectPosts != index.constEnd()) {
            const auto found = projectPosts->constFind(postKey(post));
            if (found != projectPosts->constEnd()) {
                ++sheet->posts[*found].registered;
                continue;
            }
        }
        const QString name
            = (q.text(QStringLiteral("Nom")) + QLatin1Char(' ') + q.text(QStringLiteral("Prenom")))
                  .simplified();
        sheet->unplaced.append({ q.value(QStringLiteral("Num_Ordre")).toInt(), name, key.employer,
            key.project, post.trimmed() });
    }
    std::sort(
        sheet->unplaced.begin(), sheet->unplaced.end(), [](const UnplacedWorker &a, const UnplacedWorker &b) {
            return std::tie(a.employer, a.project, a.number) < std::tie(b.employer, b.project, b.number);
        });
    return true;
}

} // namespace

QString postKey(const QString &post)
{
    return post.trimmed().toCaseFolded();
}

bool read(Database &database, HeadCountSheet *sheet, QString *error, const QString &employer,
    const QString &project)
{
    *sheet = {};
    QHash<ProjectKey, QHash<QString, qsizetype>> index;
    return readPosts(database, employer, project, &sheet->posts, &index, error)
        && countWorkers(database, employer, project, sheet, index, error);
}

} // namespace HeadCounts
