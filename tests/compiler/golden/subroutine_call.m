box1=4;
   box4=box1;
   box5=abs(box4);
   box2=box5;
box3=box2
