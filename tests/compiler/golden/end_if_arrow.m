box1=[ 7 ];
box2=box1;
if (box2>5),
   box3=sin(box2);
end;
