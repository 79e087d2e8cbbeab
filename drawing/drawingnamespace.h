#pragma once

// The framework is built twice, for the icon-font and for the touch tool, with classes of
// the same names and different layouts. Each build lives in an inline namespace of its own,
// so that one program (lumo) can hold both without the linker mixing them up. Code names
// the classes without the namespace. moc is not shown it: meta-object class names and
// translation contexts stay the bare class names ("DrawView", "GraphicsRectItem").
#if defined(Q_MOC_RUN)
#define DRAWING_BEGIN_NAMESPACE
#define DRAWING_END_NAMESPACE
#elif defined(DRAWING_ZAF)
#define DRAWING_BEGIN_NAMESPACE inline namespace drawing_zaf {
#define DRAWING_END_NAMESPACE }
#elif defined(DRAWING_TOUCH)
#define DRAWING_BEGIN_NAMESPACE inline namespace drawing_touch {
#define DRAWING_END_NAMESPACE }
#else
#error "Build the drawing framework with DRAWING_ZAF or DRAWING_TOUCH"
#endif
