#pragma once

#include "font_face_list.h"
#include "objects/logfont.h"
#include "platform/unit_conversion.h"

#include <QObject>

#include <functional>

class ColourButton;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QMenu;
class QToolButton;

// The controls the text and circular text panels share: font face and size,
// bold, italic and underline, the text, its colour, the Track menu and the
// "Edit Text" button. The widgets belong to the panel passed in.
class TextControls : public QObject {
    Q_OBJECT
public:
    // The font sizes offered, in screen pixels.
    static const int kSizes[19];

    TextControls(QWidget* panel, const UnitConversion& units);

    // Selects the face and size of `font` and sets the style buttons.
    void ShowFont(const LOGFONTA& font);
    // Weight, italic and underline from the style buttons.
    void ReadStyle(LOGFONTA& font) const;
    // The logical font height for the chosen size entry.
    int ChosenHeight() const;

    // Lets the face and size lists change the font `font` returns (null: no
    // object shown): FontEdited gives the changed font, for the panel to take
    // into its object.
    void EditFontOf(std::function<const LOGFONTA*()> font);

    // Pops up the Track menu near the cursor.
    void PopUpTrackMenu();
    // Runs the "Edit Text" dialog over the text field; an accepted, non-empty
    // text replaces it.
    void EditText(QWidget* dialogParent);

    FontFaceList* m_face;
    QComboBox* m_size;
    QToolButton* m_bold;
    QToolButton* m_italic;
    QToolButton* m_underline;
    QLineEdit* m_text;
    ColourButton* m_colour;
    QToolButton* m_trackButton;
    QToolButton* m_editText;
    QMenu* m_trackMenu;

signals:
    // A Track menu template or the "Edit Text" dialog replaced the whole text.
    void TextReplaced(const QString& text);
    // The face or size list changed the font of the shown object to `font`.
    void FontEdited(const LOGFONTA& font);

private:
    void ReplaceText(const QString& text);

    const UnitConversion& m_units;
};

// A push button that stays down, showing `text`.
QToolButton* NewToggleButton(QWidget* parent, const QString& text, const QString& toolTip);
