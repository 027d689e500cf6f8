// Polygons: one computed with sin and cos in the plane z = 0, one tilted back
// and one in a slanted plane, each put there by its modifiers.
#macro Ngon(N, R)
  polygon { N + 1
    #for (K, 0, N)
      <R * cos(2 * pi * K / N), R * sin(2 * pi * K / N)>
    #end
  }
#end
union {
  object { Ngon(6, 1.5) translate <-2, 1.5, 0> }
  object { Ngon(5, 1.2) rotate x * 60 translate <2, 1, 0> }
  object { Ngon(4, 1) rotate <30, 40, 0> translate <0, -2.5, 1> }
}
