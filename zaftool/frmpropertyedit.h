#pragma once

#include <QDialog>

#include "drawingfwd.h"

class FontScene;

class QLineEdit;
class QSpinBox;
struct CharacterFields;

// The character editor: key, position, size and rotation centre of one character, applied
// as they are typed.
class FrmPropertyEdit : public QDialog
{
    Q_OBJECT

public:
    FrmPropertyEdit(GraphicsRectItem *item, FontScene *scene, QWidget *parent = nullptr);

signals:
    void changeItem(GraphicsRectItem *item);

private slots:
    void ascEdited(const QString &text);

private:
    QSpinBox *addSpin(const QString &name, const QString &label, int value);
    void applied();

    GraphicsRectItem *m_item;
    CharacterFields *m_fields; // the same item's key and rotation centre
    QLineEdit *m_editAsc;
};
