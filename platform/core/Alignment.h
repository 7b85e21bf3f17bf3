#pragma once
// Horizontal alignment of a text in its box, shared by fields, controls and report layouts.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
