#include "agreements/agreementcases.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

AgreementCases::AgreementCases(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("agreementCases"));
    QFont noteFont(QStringLiteral("Times New Roman"));
    noteFont.setPointSize(9);
    QPalette red = palette();
    red.setColor(QPalette::WindowText, Qt::red);
    // The reminder, in two red lines.
    const struct
    {
        const char *text;
        int y;
    } notes[] = {
        { "* Il importe de rappeler aux sociétés ayant obtenu l'accord de principe que les prévisions "
          "d'emploi des travailleurs nationaux exprimées, constituent un engagement de leur part et "
          "qu'elles sont tenues de les satisfaires,",
            9 },
        { " faute de quoi l'accord pour l'empoi des travailleurs étrangers sera gelé jusqu'à exécution de "
          "leurs engagements ou bien de la présentation de justificatifs valables quant au non respect de "
          "leurs engagements.",
            26 },
    };
    for (const auto &note : notes) {
        QLabel *label = addText(QString::fromUtf8(note.text), 3, note.y);
        label->setFont(noteFont);
        label->setPalette(red);
    }

    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(10);
    addText(QStringLiteral("Le dossier de demande d’accord de principe pour introduire de la main d’œuvre "
                           "étrangère, à transmettre à la Direction de l'Emploi, doit comporter, selon l’un "
                           "des deux cas :"),
        8, 47)
        ->setFont(font);

    m_first = new QRadioButton(
        QStringLiteral("- 1er cas : Organismes employeurs de droit Algérien ou étranger chargés de réaliser "
                       "des projets de développement économique et social dans le cadre des contrats ou"),
        this);
    m_first->setObjectName(QStringLiteral("firstCase"));
    m_first->setFont(font);
    m_first->move(16, 76);
    m_first->setChecked(true);
    m_secondLine = addText(QStringLiteral("accords de travaux ou d’assistance technique ou au stade de "
                                          "démarrage d'activité dans le cadre d'un nouvel investissement"),
        45, 96);
    m_secondLine->setObjectName(QStringLiteral("firstCaseSecondLine"));
    m_secondLine->setFont(font);
    m_secondLine->installEventFilter(this);
    m_second = new QRadioButton(QStringLiteral("- 2ème cas : Organismes employeurs de droit Algérien déjà en "
                                               "activité en Algérie (en exploitation)."),
        this);
    m_second->setObjectName(QStringLiteral("secondCase"));
    m_second->setFont(font);
    m_second->move(16, 122);

    m_dossier = new QPushButton(QStringLiteral("Dossier de la demande d’accord de principe"), this);
    m_dossier->setObjectName(QStringLiteral("dossierButton"));
    m_dossier->setAccessibleName(m_dossier->text());
    m_dossier->setGeometry(328, 145, 305, 25);
    connect(m_dossier, &QPushButton::clicked, this, [this] { emit checklistRequested(isFirstCase()); });

    for (QWidget *child : findChildren<QWidget *>())
        child->adjustSize();
    m_dossier->resize(305, 25);
}

QLabel *AgreementCases::addText(const QString &text, int x, int y)
{
    auto *label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->move(x, y);
    return label;
}

bool AgreementCases::isFirstCase() const
{
    return m_first->isChecked();
}

bool AgreementCases::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_secondLine && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        m_first->setChecked(true);
    return QWidget::eventFilter(watched, event);
}
