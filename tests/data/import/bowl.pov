// A surface of revolution whose points a loop computes from an array of radii.
#declare R = array[6] { 0.3, 1.8, 2.4, 2.2, 2.8, 3.0 };
sor { dimension_size(R, 1),
  #for (K, 0, dimension_size(R, 1) - 1)
    <R[K], -2.5 + K>
  #end
  scale 1.2
}
