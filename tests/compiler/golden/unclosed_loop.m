box1=3;
while box1>0
   box3=cos(box2);
