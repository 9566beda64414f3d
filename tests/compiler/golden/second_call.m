box1=3;
   box4=box1;
   box5=sqrt(box4);
   box2=box5;
   box4=box2;
   box5=sqrt(box4);
   box3=box5;
box7=box3
