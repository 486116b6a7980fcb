#pragma once
// Edge alignment of child controls, as window layouts describe it: top and
// bottom bands stack from the edges in creation order, left and right bands
// take what is left, and a client control fills the rest.
#include <QWidget>

enum class Align { None, Top, Bottom, Left, Right, Client };

// Gives a child an alignment and lays out its parent at once and on every
// resize of the parent.
void setAlign(QWidget *child, Align align);

// Lays out the aligned children of a parent now.
void realign(QWidget *parent);
