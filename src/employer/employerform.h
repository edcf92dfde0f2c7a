#pragma once

#include "app/mandatorycheck.h"

#include <QScrollArea>

class CaptionLabel;
class DataModule;
class DatePicker;
class FieldEdit;
class PickList;
class QGridLayout;

// The entry form of the "Organisme" page: the inputs of one employer entry, bound to the current
// employer and contact rows, with the pick lists, the date pickers and the computed total.
class EmployerForm : public QScrollArea
{
    Q_OBJECT

public:
    EmployerForm(DataModule *data, QWidget *parent = nullptr);

    FieldEdit *nameEdit() const { return m_name; }
    MandatoryCheck &mandatory() { return m_mandatory; }
    // Every input but the total follows the entry state.
    void setEntryEnabled(bool enabled);
    // Shows the current rows' values in the pick lists and the date pickers; a blank or unreadable
    // date leaves its picker as it is. Writes nothing.
    void loadPickLists(bool withDuration);
    // After ANNULER: the nationality and legal-status lists show their fields again.
    void reloadNationalityAndStatus();
    void scrollToTop();

    PickList *pickList(const QString &field) const;
    DatePicker *datePicker(const QString &field) const;
    FieldEdit *typedField(const QString &field) const;
    CaptionLabel *caption(const QString &field) const;

signals:
    // The total could not be computed: a count is not a whole number.
    void totalFailed(const QString &message);

private:
    struct Built
    {
        CaptionLabel *caption;
        QWidget *input;
        FieldEdit *typed;
    };
    Built typed(const QString &caption, const QString &field, bool contact, bool mandatory, int rules);
    Built pick(const QString &caption, const QString &field, bool contact, bool mandatory, const QStringList &entries,
               int rules, const char *name);
    Built date(const QString &caption, const QString &field, bool contact, bool mandatory, const QDate &design,
               const char *name);
    void place(QGridLayout *grid, int row, int column, const Built &built, int span = 1);
    void computeTotal();

    DataModule *m_data;
    FieldEdit *m_name = nullptr;
    FieldEdit *m_foreign = nullptr;
    FieldEdit *m_algerian = nullptr;
    FieldEdit *m_total = nullptr;
    QList<QWidget *> m_entryInputs;
    QHash<QString, PickList *> m_pickLists;
    QHash<QString, DatePicker *> m_datePickers;
    QHash<QString, FieldEdit *> m_typed;
    QHash<QString, CaptionLabel *> m_captions;
    MandatoryCheck m_mandatory;
};
