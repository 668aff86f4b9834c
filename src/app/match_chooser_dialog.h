#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

class QTreeWidget;

// Lets the user pick one of several lookup results (CDDB matches or
// MusicBrainz releases): one row each, in the order given, the first
// preselected. Enter or a double-click takes the current row; Escape cancels
// the lookup.
class CMatchChooserDialog : public QDialog {
    Q_OBJECT
public:
    CMatchChooserDialog(const QString& caption, const QStringList& headers,
                        const std::vector<QStringList>& rows, QWidget* parent = nullptr);

    // The row taken (from 0), or -1 before the dialog is accepted.
    int ChosenRow() const;
    QTreeWidget* List() const { return m_list; }

private:
    QTreeWidget* m_list = nullptr;
};
