#include "discwright_view.h"

#include "document/discwright_doc.h"

bool CDiscwrightView::InsertLayout(const QString& path, QString* error) {
    if (!m_doc.InsertLayout(path, error))
        return false;
    ShowInPropertyBar(nullptr);
    return true;
}
