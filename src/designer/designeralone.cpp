#include "designeralone.h"

#include "creportcreator.h"
#include "creportpe.h"

#include <QDate>
#include <QFileInfo>

static const char DESIGNER_OPTION[] = "--designer";

QString designerArgument(const QStringList &arguments)
{
    const int at = arguments.indexOf(QLatin1String(DESIGNER_OPTION));
    if (at < 0)
        return QString();
    if (at + 1 < arguments.size() && !arguments.at(at + 1).startsWith(QLatin1Char('-')))
        return arguments.at(at + 1);
    return QStringLiteral(""); // empty, not null: the designer on a new chart
}

DesignerSample::DesignerSample()
{
    PersonRecord person;
    person.fullName = QStringLiteral("Alex Morgan Reed");
    person.shortName = QStringLiteral("Alex Reed");
    person.birthDate = QDate(1984, 11, 23);
    person.forecastDate = QDate::currentDate();
    person.calcOnly = true; // numbers only: no name check, no report
    m_chart.CalcNumerology(person);
    m_square.CalcPsychomatrix(person.fullName, person.birthDate);
}

ChartDataContext DesignerSample::data() const
{
    ChartDataContext data;
    data.person = &m_chart;
    data.personMatrix = &m_square;
    data.numerologist = QStringLiteral("Numerologist");
    return data;
}

std::unique_ptr<CReportCreatorWin> makeDesignerAlone(const QString &file, const ChartDataContext &data)
{
    auto window = std::make_unique<CReportCreatorWin>(nullptr, DesignerMode::Pages);
    CReportCreator *creator = window->creator();
    creator->setDataContext(data);
    creator->startNew();
    if (!file.isEmpty()) {
        const QString path = QFileInfo(file).absoluteFilePath();
        creator->setSaveFile(path);
        // A file that cannot be read is never saved over.
        if (QFileInfo::exists(path) && !creator->openFile(path))
            return nullptr;
        if (!QFileInfo::exists(path))
            creator->editor()->document().title = QFileInfo(path).completeBaseName();
    }
    return window;
}

int runDesignerAlone(const QString &file)
{
    const DesignerSample sample;
    std::unique_ptr<CReportCreatorWin> window = makeDesignerAlone(file, sample.data());
    if (!window)
        return 1;
    window->exec();
    return 0;
}
