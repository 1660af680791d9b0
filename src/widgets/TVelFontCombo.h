#pragma once
// The font picker: an editable list of the installed scalable font families.
// A name that is not installed (a document made elsewhere) is shown as it
// was given and reported back unchanged, so it is never silently replaced.

#include <QComboBox>
#include <QStringList>

class TVelFontCombo : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString fontName READ fontName WRITE setFontName NOTIFY fontChanged)

public:
    explicit TVelFontCombo(QWidget *parent = nullptr);

    QString fontName() const;
    // Shows the name; does not emit fontChanged (the program writing the
    // panel is not a user's choice).
    void setFontName(const QString &name);

    // The installed scalable families, sorted, without duplicates. Worked
    // out once per process; later pickers reuse the list.
    static const QStringList &fontFamilies();

    void showPopup() override;

signals:
    // The user picked a font from the list or finished typing a name.
    void fontChanged();

private:
    void commitName(const QString &name);

    QString FLastName;
    int FPopupWidth = -1;
};
