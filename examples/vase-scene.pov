// The vase drawn in Vexlin (vase.lat, a cubic lathe), in a scene of its own:
//   povray +W360 +H360 +A0.3 +Ivase-scene.pov
#version 3.7;
global_settings { assumed_gamma 1.0 }
#include "vase.lat"
background { color rgb <0.93, 0.95, 1> }
camera { location <0, 2.8, -9> look_at <0, -0.05, 0> angle 34 }
light_source { <-5, 7, -6> color rgb 1 }
light_source { <6, 3, -3> color rgb 0.3 shadowless }
plane { y, -1.7 pigment { checker color rgb 0.95 color rgb 0.82 scale 0.6 } finish { diffuse 0.8 } }
object {
  Thing
  pigment { color rgb <0.1, 0.28, 0.62> }
  finish { ambient 0.08 diffuse 0.75 phong 0.9 phong_size 80 reflection { 0.06 } }
}
