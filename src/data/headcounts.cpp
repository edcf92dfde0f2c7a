#include "data/headcounts.h"

#include "data/database.h"
#include "data/query.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

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

// One spelling of a post on one project, and how many workers hold it.
struct Group
{
    QVariant employer;
    QVariant project;
    QVariant post;
};

// The workers of the groups that match no post, listed one by one. A few groups are read one
// each through the employer's index; many are picked out of one pass over the table.
bool listUnplaced(Database &database, const QList<Group> &groups, HeadCountSheet *sheet, QString *error)
{
    const auto add = [sheet](const QVariant &number, const QString &surname, const QString &firstName,
                         const QString &employer, const QString &project, const QString &post) {
        sheet->unplaced.append({ number.toInt(), (surname + QLatin1Char(' ') + firstName).simplified(),
            employer, project, post.trimmed() });
    };
    constexpr qsizetype fewGroups = 20;
    if (groups.size() <= fewGroups) {
        for (const Group &g : groups) {
            Query q(&database);
            q.addLine(QStringLiteral("select Num_Ordre, Nom, Prenom from expatries where"));
            const std::pair<const char *, const QVariant *> columns[]
                = { { "Nom_orga", &g.employer }, { "Projet", &g.project }, { "Poste_occupe", &g.post } };
            QStringList conditions;
            for (const auto &[column, value] : columns) {
                const QString name = QString::fromLatin1(column);
                if (value->isNull()) {
                    conditions << name + QStringLiteral(" is null");
                } else {
                    conditions << QStringLiteral("%1 = :%1").arg(name);
                    q.bindValue(QLatin1Char(':') + name, *value);
                }
            }
            q.addLine(conditions.join(QStringLiteral(" and ")));
            if (!q.open()) {
                *error = q.lastError();
                return false;
            }
            for (; !q.atEnd(); q.next())
                add(q.value(QStringLiteral("Num_Ordre")), q.text(QStringLiteral("Nom")),
                    q.text(QStringLiteral("Prenom")), g.employer.toString(), g.project.toString(),
                    g.post.toString());
        }
        return true;
    }
    QSet<QString> wanted;
    const auto key = [](const QVariant &e, const QVariant &p, const QVariant &post) {
        return e.toString() + QChar(0) + p.toString() + QChar(0) + post.toString();
    };
    for (const Group &g : groups)
        wanted.insert(key(g.employer, g.project, g.post));
    QSqlQuery q = database.newQuery();
    q.setForwardOnly(true);
    if (!q.prepare(
            QStringLiteral("select Num_Ordre, Nom, Prenom, Nom_orga, Projet, Poste_occupe from expatries"))
        || !database.exec(q)) {
        *error = database.lastError();
        return false;
    }
    while (q.next()) {
        if (wanted.contains(key(q.value(3), q.value(4), q.value(5))))
            add(q.value(0), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                q.value(4).toString(), q.value(5).toString());
    }
    return true;
}

// The workers counted by the engine per employer, project and post as written; the spellings of
// a post are matched here, without regard to case and surrounding blanks.
bool countWorkers(Database &database, const QString &employer, const QString &project, HeadCountSheet *sheet,
    const QHash<ProjectKey, QHash<QString, qsizetype>> &index, QString *error)
{
    Query q(&database);
    q.addLine(QStringLiteral("select Nom_orga, Projet, Poste_occupe, count(*) as n from expatries"));
    narrow(q, QStringLiteral("Nom_orga"), employer, project);
    q.addLine(QStringLiteral("group by Nom_orga, Projet, Poste_occupe"));
    if (!q.open()) {
        *error = q.lastError();
        return false;
    }
    QList<Group> unmatched;
    for (; !q.atEnd(); q.next()) {
        const ProjectKey key { q.text(QStringLiteral("Nom_orga")), q.text(QStringLiteral("Projet")) };
        const QString post = q.text(QStringLiteral("Poste_occupe"));
        const auto projectPosts = index.constFind(key);
        if (projectPosts != index.constEnd()) {
            const auto found = projectPosts->constFind(postKey(post));
            if (found != projectPosts->constEnd()) {
                sheet->posts[*found].registered += q.value(QStringLiteral("n")).toInt();
                continue;
            }
        }
        unmatched.append({ q.value(QStringLiteral("Nom_orga")), q.value(QStringLiteral("Projet")),
            q.value(QStringLiteral("Poste_occupe")) });
    }
    if (!listUnplaced(database, unmatched, sheet, error))
        return false;
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
