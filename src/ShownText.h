#pragma once

#include <QCoreApplication>

// The texts Kavo shows outside the pages are looked up where the pages' texts are, in the
// context "Translator": ShownText::tr("until") is extracted into that context and looked up
// there. A text kept in a table is marked with QT_TRANSLATE_NOOP("Translator", "...") where it is
// written and looked up with ShownText::tr(pointer) where it is shown. A sentence with a value in
// it is one text with %1 (and %2), so that a translator can order it.
class ShownText
{
    Q_DECLARE_TR_FUNCTIONS(Translator)
};
