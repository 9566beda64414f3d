box1=1;
box2=tan(box1);
box4=box1+box2;
box6=box4+box1;
box3=box2+box1;
box5=box3+box1;
