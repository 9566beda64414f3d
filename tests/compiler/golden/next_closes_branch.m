box1=2;
box2=box1;
if (box2>1),
   box3=sin(box2);
end;
box4=box3;
