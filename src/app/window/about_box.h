#pragma once

#include <QDialog>

class QLabel;

// The "About Lumvane" box: the support file's title line, the version, the
// licence with a link to its text, and the links to the home page and to
// technical support, whose targets and tooltips come from the support file
// when the box opens.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    QLabel* TitleLine() const { return m_title; }
    QLabel* HomePageLink() const { return m_homePage; }
    QLabel* SupportLink() const { return m_support; }
    QLabel* LicenceLink() const { return m_licence; }

    // Where the licence link leads: the text of the GNU GPL, version 3.
    static constexpr char kLicenceUrl[] = "https://www.gnu.org/licenses/gpl-3.0.html";

private:
    QLabel* m_title;
    QLabel* m_homePage;
    QLabel* m_support;
    QLabel* m_licence;
};

void ShowAboutBox(QWidget* parent);
