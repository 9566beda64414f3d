box1=9;
   box4=box1;
   box5=sqrt(box4);
   box2=box5;
box3=box2
