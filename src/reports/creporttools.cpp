#include "creporttools.h"

CReportTools::CReportTools(QObject *parent)
    : QObject(parent)
{
}
