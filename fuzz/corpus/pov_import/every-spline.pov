// Prisms in every spline and sweep, and polygons, as scene files hold them.
#version 3.7;
#include "colors.inc"

#declare Linear = prism { linear_spline linear_sweep 0, 1, 5, <0,0>, <1,0>, <1,1>, <0,1>, <0,0> }
#local Quad = prism {
  quadratic_spline
  -0.5, 0.5, 6,
  <0, -1>,               // control
  <0, 0>, <1, 0>, <1, 1>, <0, 1>, <0, 0>
  open
}
#declare Cubic = prism { conic_sweep cubic_spline 0.1, 1, 7 <0,-1> <0,0> <2,0> <2,2> <0,2> <0,0> <0,1> sturm }
#declare Bez = prism {
  bezier_spline 0, 0.25, 8,
  <0, 0>, <1, -1>, <2, -1>, <3, 0>,
  <3, 0>, <2, 1.5>, <1, 1.5>, <0, 0>
  pigment { rgb <1, 0.5, 0> } translate 2*y
}
#declare Flat = polygon { 5, <0, 0, 0>, <2, 0, 0>, <2, 1, 0>, <0, 1, 0>, <0, 0, 0> }
#declare Holes = polygon {
  10,
  <-2, -2>, <2, -2>, <2, 2>, <-2, 2>, <-2, -2>,
  <-1, -1>, <1, -1>, <1, 1>, <-1, 1>, <-1, -1>
}
object { Bez }
