// The shared printer, made once and kept for the whole run.
#include "components/print/SharedPrinter.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

QPrinter& sharedPrinter() {
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setPageSize(QPageSize(QPageSize::A4));
        p->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        return p;
    }();
    return *printer;
}
