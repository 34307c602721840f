#pragma once

#include <QRect>

namespace velunto {

struct DrawContext;

// The painters of the multiple-choice kinds; each draws only objects of the
// shown question. The check button's place (26) is never drawn.
QRect drawMcQuestionText(DrawContext& context, int index);
QRect drawMcAnswerBox(DrawContext& context, int index);
QRect drawMcAnswerText(DrawContext& context, int index);
QRect drawMcPicture(DrawContext& context, int index);
QRect drawMcPoint(DrawContext& context, int index);

} // namespace velunto
