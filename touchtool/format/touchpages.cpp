#include "touchpages.h"

#include <QCoreApplication>

namespace {

bool holdsTarget(int page)
{
    return page == touchNoTargetPage || (page >= 0 && page <= touchLargestTargetPage);
}

} // namespace

int TouchPageRefusal::value() const
{
    switch (field) {
    case AreaPage:
        return record.page;
    case JumpPage:
        return record.picNum;
    case PressedPage:
        return record.pressedPage;
    case None:
        break;
    }
    return 0;
}

TouchPageRefusal checkTouchPages(const QVector<TouchRecord> &records)
{
    TouchPageRefusal refusal;
    for (int i = 0; i < records.size(); ++i) {
        const TouchRecord &record = records.at(i);
        if (record.page < 0 || record.page > touchLargestAreaPage)
            refusal.field = TouchPageRefusal::AreaPage;
        else if (!holdsTarget(record.picNum))
            refusal.field = TouchPageRefusal::JumpPage;
        else if (!holdsTarget(record.pressedPage))
            refusal.field = TouchPageRefusal::PressedPage;
        if (!refusal.ok()) {
            refusal.index = i;
            refusal.record = record;
            break;
        }
    }
    return refusal;
}

QString touchPageRefusalText(const TouchPageRefusal &refusal)
{
    const TouchRecord &r = refusal.record;
    const QString area = QCoreApplication::translate("TouchPages", "Page %1, area at (%2, %3): ")
                             .arg(r.page)
                             .arg(r.left)
                             .arg(r.top);
    switch (refusal.field) {
    case TouchPageRefusal::AreaPage:
        return area
            + QCoreApplication::translate("TouchPages",
                "the page number %1 cannot be stored. Pages with touch areas run from 0 to "
                "65279 (0xFEFF): the field holds 16 bits, and a record starting with the byte FF "
                "is read as the end mark FF FF.")
                  .arg(r.page);
    case TouchPageRefusal::JumpPage:
        return area
            + QCoreApplication::translate("TouchPages",
                "the jump page %1 cannot be stored. Jump pages run from 0 to 32767, or -1 for "
                "none: the field holds 16 bits and is read back as a signed number.")
                  .arg(r.picNum);
    case TouchPageRefusal::PressedPage:
        return area
            + QCoreApplication::translate("TouchPages",
                "the animation page %1 cannot be stored. Animation pages run from 0 to 32767, "
                "or -1 for none: the field holds 16 bits and is read back as a signed number.")
                  .arg(r.pressedPage);
    case TouchPageRefusal::None:
        break;
    }
    return QString();
}
