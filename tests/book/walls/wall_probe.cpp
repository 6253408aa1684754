// Built against one layer of the book, including one header: the walls
// test expects it to compile only when the header is that layer's or below.
#include WALL_HEADER
