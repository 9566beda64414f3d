box1=5;
box2=box1;
if (box2>0),
   box5=box2;
      box6=abs(box5);
      box3=box6;
end;
box8=box2
