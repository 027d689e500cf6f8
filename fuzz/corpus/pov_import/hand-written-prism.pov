// A scene written by hand, the way POV-Ray users write them: a rounded star on a
// cubic spline and a bezier gear tooth declared as prisms, then placed in a scene.
//   povray +W400 +H300 +Ihand-written-prism.pov
//   vexlin-tool import hand-written-prism.pov star.prm
//   vexlin-tool import hand-written-prism.pov tooth.prm --name Tooth
#version 3.7;
global_settings { assumed_gamma 1.0 }

/* The star: five points on a cubic spline.
   The first and the last point of each sub-outline only steer the curve. */
#declare Star =
    prism {
        conic_sweep cubic_spline    // sweep before spline: any order will do
        0.2, 1.0, 13
        <0.00, 0.90>                                  // control
        <0.00, 1.00>  <0.60, 0.45>  <0.95, 0.30>
        <0.40, -0.25> <0.60, -0.85> <0.00, -0.45>
        <-0.60, -0.85> <-0.40, -0.25> <-0.95, 0.30>
        <-0.60, 0.45>
        <0.00, 1.00>                                  // back to the start
        <0.00, 0.90>                                  // control
        sturm
    }

#declare Tooth = prism {
    bezier_spline
    -0.25, 0.25,
    16,
    <-1, -0.5>, <-0.5, -0.8>, <0.5, -0.8>, <1, -0.5>,   // bottom
    <1, -0.5>, <1.3, 0>, <1.3, 0>, <1, 0.5>,           // right
    <1, 0.5>, <0.5, 0.2>, <-0.5, 0.2>, <-1, 0.5>,      /* top */
    <-1, 0.5>, <-1.3, 0>, <-1.3, 0>, <-1, -0.5>        // left
}

camera { location <0, 4, -3> look_at <0, 0.3, 0> angle 50 }
light_source { <-3, 6, -4> color rgb 1 }
background { color rgb <0.9, 0.93, 1> }
object { Star pigment { color rgb <0.95, 0.45, 0.2> } translate <-1.2, 0, 0.4> }
object { Tooth pigment { color rgb <0.3, 0.5, 0.85> } translate <1.3, 0, 0> }
