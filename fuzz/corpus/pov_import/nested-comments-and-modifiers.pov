/* A block /* nested */ comment before the object */
#declare Thing = prism {
    cubic_spline linear_sweep
    0.0, /* start */ 0.75, // end
    8,
    <0.5, 0.25> <0.5, 0.5> <-0.5, 0.5> <-0.5, -0.5>
    <0.5, -0.5> <0.5, 0.5> <0.5, -0.25> <+1.25e-1, -.5E+0>
    sturm open
    texture { pigment { color rgb <1, 1, 1> } finish { phong 0.5 } }
    scale <1, 2, 1> rotate -90*x
}
light_source { <0, 10, -10> color rgb 1 }
