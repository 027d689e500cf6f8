// The sample logo made a prism and shown at an angle; scripts/logo-picture.sh imports
// vexlin-logo.svg into vexlin-logo.prm beside this scene and renders it.
#version 3.7;
global_settings { assumed_gamma 1.0 }
#include "vexlin-logo.prm"

camera { location <0, 6.2, -5.6> look_at <0, 0, -0.25> angle 42 right x * image_width / image_height }
light_source { <-4, 9, -6> color rgb 1 }
light_source { <6, 4, -3> color rgb 0.35 shadowless }
background { color rgb 1 }
plane { y, 0 pigment { color rgb <0.93, 0.95, 0.98> } }
object {
    Thing
    pigment { color rgb <0.04, 0.2, 0.5> }
    finish { ambient 0.15 diffuse 0.75 phong 0.4 }
}
