// A cubic prism of two sets, each with a closing control point of its own, scaled unevenly.
#switch (2)
  #case (1)
    sphere { 0, 1 }
  #break
  #case (2)
    prism { cubic_spline 0, 1, 14,
      <-2, -1>, <0, -2.5>, <2.5, 0>, <0, 2.5>, <-2.5, 0>, <0, -2.5>, <1, -3>,
      <0, -0.5>, <0, -1>, <1, 0>, <0, 1>, <-1, 0>, <0, -1>, <-0.5, -2>
      scale <1.4, 1, 0.9>
    }
  #break
#end
