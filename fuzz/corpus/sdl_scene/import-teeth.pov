// Teeth that a macro makes, invoked in a #for loop inside a union that scales them all.
#macro Tooth(Angle, Size)
  object {
    prism { 0, 1, 5, <1, -0.4>, <1 + Size, -0.2>, <1 + Size, 0.2>, <1, 0.4>, <1, -0.4> }
    rotate y * Angle
  }
#end
#declare Gear = union {
  #for (T, 0, 4)
    Tooth(T * 72, 0.8 + T * 0.3)
  #end
  scale <1.3, 2, 1.3>
}
object { Gear translate <-0.2, 0, 0.3> }
