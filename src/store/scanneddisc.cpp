#include "store/scanneddisc.h"

#include "store/catalogdates.h"
#include "store/discnumbers.h"
#include "store/treelabel.h"

#include <QDate>

namespace {

const QString kTreeTemp = QStringLiteral("TreeTemp.tkdt");

} // namespace

ScannedDisc::ScannedDisc(CCatalog &catalog)
    : m_catalog(catalog),
      m_nFilesBefore(catalog.m_pFiles->size()),
      m_nNumber(NextDiscNumber(*catalog.m_pDiscs))
{ }

QString ScannedDisc::Refusal() const
{
    if (m_nNumber != 0)
        return {};
    return QStringLiteral("Every CD number from 1 to %1 is taken, so no disc can be added. "
                          "Delete a disc first.")
        .arg(kMaxDiscNumber);
}

QList<TreeTextNode> ScannedDisc::ReadTree(const CatalogStore &store, QString &error) const
{
    QByteArray text;
    const StoreResult read = store.ReadDataFile(kTreeTemp, text);
    QList<TreeTextNode> nodes = read ? ReadTreeText(text) : QList<TreeTextNode>();
    if (nodes.isEmpty())
        error = QStringLiteral("The folder tree of the scan could not be read, so the disc was "
                               "not added to the catalogue.\n%1")
                    .arg(read ? QStringLiteral("The file %1 holds no folder tree.")
                                    .arg(store.DataPath(kTreeTemp))
                              : read.message());
    return nodes;
}

void ScannedDisc::AddRecord(const QString &strDrive)
{
    CDisc disc;
    disc.m_strName = kScannedDiscName;
    disc.m_strNumber = QString::number(m_nNumber);
    disc.m_strSavedDate = FormatSavedDate(QDate::currentDate());
    disc.m_strDrive = strDrive;
    m_catalog.m_pDiscs->prepend(disc);
}

void ScannedDisc::DropFiles()
{
    if (m_catalog.m_pFiles->size() > m_nFilesBefore)
        m_catalog.m_pFiles->resize(m_nFilesBefore);
}
