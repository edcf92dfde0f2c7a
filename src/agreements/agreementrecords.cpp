#include "agreements/agreementrecords.h"

#include "data/datamodule.h"
#include "data/fieldvalue.h"
#include "data/table.h"

#include <limits>

bool AgreementRecords::nextNumber(int *number)
{
    const QVariant highest = m_data.accord()->maximum(QStringLiteral("Num"));
    if (highest.isNull()) {
        *number = 1;
        return true;
    }
    const qint64 next = highest.toLongLong() + 1;
    if (next > std::numeric_limits<qint32>::max()) {
        m_error = QStringLiteral("Le numéro %1 est le plus grand que la table des postes de travail puisse "
                                 "porter : aucun poste ne peut plus être ajouté.")
                      .arg(highest.toLongLong());
        return false;
    }
    *number = static_cast<int>(next);
    return true;
}

// The employer of a project: that of the first contact row of the view carrying it, else that of the
// current contact row.
QString AgreementRecords::ownerOf(const QString &project) const
{
    Table *contacts = m_data.contact();
    const auto rows = contacts->fetchRows(
        0, contacts->rowCount(), { QStringLiteral("Projet"), QStringLiteral("nom_orga") });
    for (const QVariantList &row : rows) {
        if (FieldValue::display(row.value(0)) == project)
            return FieldValue::display(row.value(1));
    }
    return contacts->text(QStringLiteral("nom_orga"));
}

bool AgreementRecords::save(const QString &project)
{
    Table *posts = m_data.accord();
    if (!posts->validate()) {
        m_error = posts->lastError();
        return false;
    }
    const Table::Snapshot before = posts->snapshot();
    if (!posts->setValue(QStringLiteral("Projet"), project)
        || !posts->setValue(QStringLiteral("nom_orga"), ownerOf(project)) || !posts->post()) {
        m_error = posts->lastError();
        posts->restore(before);
        return false;
    }
    return true;
}
