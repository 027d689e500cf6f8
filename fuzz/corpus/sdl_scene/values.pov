// Values the importer computes, written out with #debug so that POV-Ray's own output can be
// compared with the importer's, line by line.
#version 3.7;
#declare R = 2.5;
#declare V = <1, 2> + <1, 2, 3> * 2;
#declare S = "multi
line";
#declare A = array[2][3] { {1, 2, 3}, {4, 5, 6} };
#macro Twice(Q) #declare Q = Q * 2; #end
#declare B = 7;
Twice(B)
#macro F(N) #if (N > 0) N + F(N - 1) #else 0 #end #end
#debug concat("arith ", str(1 + 2 * 3 - 4 / 8, 0, 6), " ", str(-R * -2, 0, 6), "\n")
#debug concat("vector ", str(V.x, 0, 6), " ", str(V.y, 0, 6), " ", str(V.z, 0, 6), "\n")
#debug concat("logic ", str((1 < 2 & 0 | 1), 0, 0), str((0 & 0 < 1), 0, 0),
              str((1 ? 0 : 1 & 0), 0, 0), str((2e-10 ? 1 : 2), 0, 0), str((!0.5), 0, 0), "\n")
#debug concat("funcs ", str(atan2(1, 2), 0, 6), " ", str(mod(-7, 3), 0, 1), " ",
              str(div(-7, 2), 0, 1), " ", str(int(-2.5), 0, 1), " ", str(log(1000), 0, 3), " ",
              str(select(0, 1, 2, 3), 0, 0), str(select(-1, 1, 2), 0, 0), "\n")
#declare W = vrotate(<1, 0, 0>, <0, 90, 30>);
#declare X2 = vaxis_rotate(<1, 0, 0>, <1, 1, 1>, 120);
#debug concat("rotate ", str(W.x, 0, 4), " ", str(W.y, 0, 4), " ", str(W.z, 0, 4), " ",
              str(X2.x, 0, 4), " ", str(X2.y, 0, 4), " ", str(X2.z + 1, 0, 4), "\n")
#declare C = vcross(x, y) + vnormalize(<3, 4, 0>);
#debug concat("vec ", str(C.x, 0, 3), str(C.y, 0, 3), str(C.z, 0, 3), " ",
              str(vdot(<1, 2, 3>, <4, 5, 6>), 0, 1), " ", str(vlength(<3, 4>), 0, 1), "\n")
#debug concat("str ", str(2.5, 5, 2), "|", str(2.5, -6, 1), "|", str(strlen(S), 0, 0), "|",
              str(val("12.5") + 1, 0, 1), "\n")
#debug concat("array ", str(A[1][2], 0, 0), str(dimension_size(A, 2), 0, 0), " ",
              str(B, 0, 0), " ", str(F(4), 0, 0), "\n")
#declare Sum = 0;
#for (I, 10, 1, -3) #declare Sum = Sum + I; #end
#declare K = 0;
#while (K < 5) #declare K = K + 2; #end
#debug concat("loops ", str(Sum, 0, 0), " ", str(I, 0, 0), " ", str(K, 0, 0), "\n")
#switch (2)
#case (1) #debug "one "
#case (2) #debug "two "
#range (2, 3) #debug "range "
#break
#else #debug "else "
#end
#ifndef (Nothing) #debug "undefined " #end
#undef B
#ifdef (B) #debug "B " #else #debug "gone" #end
#debug "\n"
