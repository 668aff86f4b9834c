#pragma once

#include <QDialog>

class QLabel;

// The "About Lumvane" box: the support file's title line, the version, and
// the links to the home page and to technical support, whose targets and
// tooltips come from the support file when the box opens.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    QLabel* TitleLine() const { return m_title; }
    QLabel* HomePageLink() const { return m_homePage; }
    QLabel* SupportLink() const { return m_support; }

private:
    QLabel* m_title;
    QLabel* m_homePage;
    QLabel* m_support;
};

void ShowAboutBox(QWidget* parent);
