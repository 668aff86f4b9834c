#include "app/export/export_image_dialog.h"
#include "app/export/export_layout_dialog.h"
#include "document/face.h"

#include <QCheckBox>
#include <QLineEdit>

#include <gtest/gtest.h>

TEST(ExportImageDialog, OkChecksNameThenFacesThenFolderAndStaysOpen) {
    ExportImageDialog dialog(QStringLiteral("/program"));
    QStringList told;
    dialog.SetInform([&told](const QString& text) { told << text; });
    EXPECT_EQ(dialog.Folder(), QStringLiteral("/program"));
    for (int id = 0; id < kFaceCount; ++id)
        EXPECT_FALSE(dialog.IsFaceChecked(id));

    dialog.FolderEdit().clear();
    dialog.accept();
    dialog.NameEdit().setText(QStringLiteral("cover"));
    dialog.accept();
    dialog.FaceBox(kBackFace).setChecked(true);
    dialog.accept();
    EXPECT_EQ(told, (QStringList{QStringLiteral("You must input image name."),
                                 QStringLiteral("You must select a cover image to export."),
                                 QStringLiteral("You must input export path.")}));
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.FolderEdit().setText(QStringLiteral("/out"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(told.size(), 3);
    EXPECT_EQ(dialog.Options().dpi, 96);
    EXPECT_EQ(dialog.Options().format, FaceImageFormat::kJpeg);
}

TEST(ExportLayoutDialog, AllFacesCheckedAndOkNeedsAName) {
    ExportLayoutDialog dialog;
    for (int id = 0; id < kFaceCount; ++id)
        EXPECT_TRUE(dialog.IsFaceChecked(id));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.NameEdit().setText(QStringLiteral("Mine"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ExportLayoutDialog, RefusesNamesThatAreNoFileNamesWithOneMessage) {
    ExportLayoutDialog dialog;
    QStringList told;
    dialog.SetInform([&told](const QString& text) { told << text; });
    for (const char* name : {"../x", "a/b", ".hidden"}) {
        dialog.NameEdit().setText(QString::fromLatin1(name));
        dialog.accept();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << name;
    }
    EXPECT_EQ(told, QStringList(3, QStringLiteral("A layout name is a file name: it may not "
                                                  "contain \"/\" or start with \".\".")));
    dialog.NameEdit().setText(QStringLiteral("x.y"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ExportLayoutDialog::FaceCaption(kFrontFace), QStringLiteral("CD Jewel Case Front"));
}
