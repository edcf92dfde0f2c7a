#pragma once

#include <QList>
#include <QString>

class Database;

// One post of an employer's agreement for a project, beside the foreign workers registered on it.
struct PostCount
{
    QString employer;
    QString project;
    QString post; // as the agreement spells it
    int algerians = 0; // forecast
    int foreigners = 0; // forecast
    int registered = 0; // workers whose post matches

    int left() const { return foreigners - registered; }
    bool isOver() const { return registered > foreigners; }
};

// A worker whose post is in no agreement of their project.
struct UnplacedWorker
{
    int number = 0; // Num_Ordre
    QString name;
    QString employer;
    QString project;
    QString post;
};

struct HeadCountSheet
{
    QList<PostCount> posts; // by employer, project, then the agreement's order
    QList<UnplacedWorker> unplaced; // by employer, project, then number
};

// Counts the workers per post of the agreements. A worker's post matches an agreement's post
// without regard to case and surrounding blanks; the employer and project must be the same texts.
namespace HeadCounts {

// The form posts are compared in.
QString postKey(const QString &post);

// The whole register, or one employer's project when `employer` is given (then `project` too).
bool read(Database &database, HeadCountSheet *sheet, QString *error, const QString &employer = QString(),
    const QString &project = QString());

} // namespace HeadCounts
